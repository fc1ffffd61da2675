// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/form.h"

#include "ui/accessibility.h"
#include "ui/builtinpictures.h"
#include "ui/controls.h"
#include "ui/namegrid.h"
#include "ui/screenwindow.h"
#include "ui/twips.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <vector>

namespace sakana {

namespace {

TwipsRectF toF(const TwipsRect &rect)
{
    return {double(rect.left), double(rect.top), double(rect.width), double(rect.height)};
}

} // namespace

Form::Form(ScreenWindow &window, const WindowDesign &windowDesign, std::span<const ControlDesign> controls)
    : window_(window)
{
    setUpWindow(windowDesign);

    // The first row of a table lies on top: create from the last row up, as a
    // later sibling lies above an earlier one.
    std::vector<std::pair<int, QPushButton *>> buttons;
    for (auto row = controls.rbegin(); row != controls.rend(); ++row) {
        QWidget *widget = create(*row);
        if (auto *button = qobject_cast<QPushButton *>(widget))
            buttons.emplace_back(row->tabOrder, button);
    }

    // Buttons always lie above labels and pictures; they take the focus in
    // their tab order. The names follow the last button. The names, the main
    // task of a screen that has them, hold the focus when the window opens,
    // or else the first button.
    std::sort(buttons.begin(), buttons.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QWidget *previous = nullptr;
    for (const auto &[order, button] : buttons) {
        button->raise();
        if (previous)
            QWidget::setTabOrder(previous, button);
        previous = button;
    }
    if (names_ && previous)
        QWidget::setTabOrder(previous, names_->keys());
    if (names_)
        names_->keys()->setFocus();
    else if (!buttons.empty())
        buttons.front().second->setFocus();

    // The pictures come last, so that any still being decoded on the
    // preloading thread had all the time the text took.
    showPictures(windowDesign);
}

void Form::showPictures(const WindowDesign &design)
{
    window_.window()->setWindowIcon(QIcon(builtInPicture(kWindowIcon)));
    if (design.backgroundPicture)
        window_.setBackgroundPicture(builtInPicture(design.backgroundPicture));
    for (const auto &[box, name] : pendingPictures_)
        box->showPicture(builtInPicture(name), true);
    pendingPictures_.clear();
}

void Form::setUpWindow(const WindowDesign &design)
{
    // Shown in a host window, the screen gives it its title; the host keeps
    // its own frame.
    window_.setWindowTitle(QString::fromUtf16(design.caption));
    window_.window()->setWindowTitle(window_.windowTitle());
    QPalette pal = window_.palette();
    pal.setColor(QPalette::Window, toQColor(design.backColour));
    window_.setPalette(pal);

    const QSize client(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    const Qt::WindowFlags fixed = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                  Qt::MSWindowsFixedSizeDialogHint;
    const Qt::WindowFlags sizable = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                    Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    if (window_.isWindow())
        window_.setWindowFlags(design.border == Border::FixedSingle ? fixed : sizable);
    window_.setDesignSize(client, design.border == Border::FixedSingle);
}

QWidget *Form::create(const ControlDesign &design)
{
    switch (design.kind) {
    case Kind::NameGrid:
        names_ = new NameGrid(window_, design);
        return nullptr;
    case Kind::Label: {
        auto *label = new Label(&window_);
        setUpLabel(*label, design, design.rect, QString::fromUtf16(design.caption));
        label->setObjectName(QLatin1String(design.role));
        return label;
    }
    case Kind::Picture: {
        auto *box = new PictureBox(&window_);
        box->setObjectName(QLatin1String(design.role));
        box->setTwipsRect(toF(design.rect));
        box->setStretch(design.stretch);
        if (design.picture)
            pendingPictures_.emplace_back(box, design.picture);
        box->setVisible(design.visible);
        return box;
    }
    case Kind::Button: {
        auto *button = new Button(QString::fromUtf16(design.caption), toF(design.rect), design.font,
                                  design.backColour, &window_);
        button->setObjectName(QLatin1String(design.role));
        if (button->text() != spokenText(button->text()))
            button->setAccessibleName(spokenText(button->text()));
        // Enter, like Space, activates the button that holds the focus.
        button->setAutoDefault(true);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAttribute(Qt::WA_NoMousePropagation);
        button->setMouseTracking(true);
        button->setVisible(design.visible);
        return button;
    }
    }
    return nullptr;
}

void setUpLabel(Label &label, const ControlDesign &design, const TwipsRect &rect, const QString &caption)
{
    label.setTwipsRect(toF(rect));
    label.setDesignFont(design.font);
    label.setText(caption);
    if (design.foreColour)
        label.setForeColour(*design.foreColour);
    if (design.backColour) {
        label.setBackColour(*design.backColour);
        label.setAutoFillBackground(true);
    }
    label.setAlignment((design.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (design.border)
        label.setBorder(true);
    label.setVisible(design.visible);
}

void centreOnScreen(QWidget &window, QSize outerSize)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(outerSize.width() / 2, outerSize.height() / 2));
}

} // namespace sakana
