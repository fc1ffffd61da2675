#include "screens/form.h"

#include "app/colour.h"
#include "app/runtimeerror.h"
#include "app/screenwindow.h"
#include "app/twips.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <vector>

namespace sakana {

namespace {

template <typename T>
T *find(const std::map<std::string, QWidget *> &controls, const std::string &name)
{
    auto found = controls.find(name);
    T *control = found == controls.end() ? nullptr : qobject_cast<T *>(found->second);
    Q_ASSERT_X(control, "Form", name.c_str());
    return control;
}

// A raised button whose whole face shows the design colour, the same on
// every desktop; it looks pressed while held and has a dark edge while it
// holds the focus.
QString buttonStyleSheet(const QColor &face)
{
    return QStringLiteral("QPushButton { background-color: %1; color: black; border: 2px outset %2; }"
                          "QPushButton:focus { border-color: %3; }"
                          "QPushButton:pressed { border-style: inset; }")
        .arg(face.name(), face.lighter(140).name(), face.darker(250).name());
}

QString builtIn(const char *alias)
{
    return QStringLiteral(":/pictures/") + QLatin1String(alias);
}

} // namespace

Form::Form(ScreenWindow &window, const WindowDesign &windowDesign, std::span<const ControlDesign> controls)
{
    setUpWindow(window, windowDesign);

    // The first row of a table lies on top: create from the last row up, as a
    // later sibling lies above an earlier one.
    std::vector<std::pair<int, QPushButton *>> buttons;
    for (auto row = controls.rbegin(); row != controls.rend(); ++row) {
        QWidget *widget = create(window, *row);
        if (auto *button = qobject_cast<QPushButton *>(widget))
            buttons.emplace_back(row->tabOrder, button);
    }

    // Buttons always lie above labels and pictures; they take the focus in
    // their tab order, the first holding it when the window opens.
    std::sort(buttons.begin(), buttons.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        buttons[k].second->raise();
        if (k > 0)
            QWidget::setTabOrder(buttons[k - 1].second, buttons[k].second);
    }
    if (!buttons.empty())
        buttons.front().second->setFocus();
}

void Form::setUpWindow(ScreenWindow &window, const WindowDesign &design)
{
    window.setWindowTitle(QString::fromUtf16(design.caption));
    window.setWindowIcon(QIcon(QPixmap::fromImage(readPicture(builtIn("fish.ico")))));
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, bgr(design.backColour));
    window.setPalette(pal);

    const QSize client(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    if (design.border == Border::FixedSingle) {
        window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint);
        window.setFixedSize(client);
    } else {
        window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        window.resize(client);
    }
    if (design.backgroundPicture)
        window.setBackgroundPicture(readPicture(builtIn(design.backgroundPicture)));
    centreOnScreen(window);
}

QWidget *Form::create(ScreenWindow &window, const ControlDesign &design)
{
    switch (design.kind) {
    case Kind::LabelArray: {
        // Created from the bottom of the column up, like every other row.
        for (int index = kFishCount - 1; index >= 0; --index)
            names_[std::size_t(index)] = createLabel(window, design, gridRect(index), captionOf(index));
        return nullptr;
    }
    case Kind::Label: {
        Label *label = createLabel(window, design, design.rect, QString::fromUtf16(design.caption));
        controls_[design.name] = label;
        return label;
    }
    case Kind::Picture: {
        auto *box = new PictureBox(&window);
        box->setObjectName(QLatin1String(design.name));
        box->setRect(design.rect.left, design.rect.top, design.rect.width, design.rect.height);
        box->setStretch(design.stretch);
        if (design.picture)
            box->loadPicture(builtIn(design.picture));
        box->setVisible(design.visible);
        controls_[design.name] = box;
        return box;
    }
    case Kind::Button: {
        auto *button = new QPushButton(QString::fromUtf16(design.caption), &window);
        button->setObjectName(QLatin1String(design.name));
        button->setGeometry(twipsToPixels(design.rect.left), twipsToPixels(design.rect.top),
                            twipsToPixels(design.rect.width), twipsToPixels(design.rect.height));
        button->setFont(designFont(design.font));
        if (design.backColour)
            button->setStyleSheet(buttonStyleSheet(bgr(*design.backColour)));
        // Enter, like Space, activates the button that holds the focus.
        button->setAutoDefault(true);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAttribute(Qt::WA_NoMousePropagation);
        button->setMouseTracking(true);
        controls_[design.name] = button;
        return button;
    }
    }
    return nullptr;
}

Label *Form::createLabel(ScreenWindow &window, const ControlDesign &design, const TwipsRect &rect,
                         const QString &caption)
{
    auto *label = new Label(&window);
    label->setObjectName(QLatin1String(design.name));
    label->setRect(rect.left, rect.top, rect.width, rect.height);
    label->setFont(designFont(design.font));
    label->setCaption(caption);
    if (design.foreColour)
        label->setForeColour(*design.foreColour);
    if (design.backColour) {
        label->setBackColour(*design.backColour);
        label->setAutoFillBackground(true);
    }
    label->setAlignment((design.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (design.border) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    label->setVisible(design.visible);
    return label;
}

Label *Form::label(const std::string &name) const { return find<Label>(controls_, name); }
PictureBox *Form::picture(const std::string &name) const { return find<PictureBox>(controls_, name); }
QPushButton *Form::button(const std::string &name) const { return find<QPushButton>(controls_, name); }

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window.size();
    window.move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

} // namespace sakana
