// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include "quiz/catalogue.h"
#include "ui/controls.h"
#include "ui/namegrid.h"
#include "ui/screenwindow.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace sakana {

namespace {

// Where a part names the control that speaks for it.
constexpr char kWholeProperty[] = "spokenAsPartOf";

QWidget *wholeOf(const QWidget *part)
{
    return qobject_cast<QWidget *>(part->property(kWholeProperty).value<QObject *>());
}

// A screen's window: its controls, with the names left to the list that
// gathers them.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(controls().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QWidgetList list = controls();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list.at(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(controls().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }
    // What lies on top at the point, as the pointer finds it: a name through
    // the list, never the list where no name is.
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QWidget *hit = widget()->childAt(widget()->mapFromGlobal(QPoint(x, y)));
        while (hit && hit->parentWidget() != widget())
            hit = hit->parentWidget();
        if (!hit)
            return nullptr;
        if (QWidget *whole = wholeOf(hit))
            hit = whole;
        if (auto *name = qobject_cast<NameLabel *>(hit))
            hit = name->grid().keys();
        return QAccessible::queryAccessibleInterface(hit);
    }

private:
    QWidgetList controls() const
    {
        QWidgetList list;
        for (QWidget *control : widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!control->isWindow() && !qobject_cast<NameLabel *>(control) && !wholeOf(control))
                list.append(control);
        }
        return list;
    }
};

// The forty names as one list; the highlighted name is the list's focus.
class GridAccessible final : public QAccessibleWidget {
public:
    explicit GridAccessible(NameKeys *keys) : QAccessibleWidget(keys, QAccessible::List), keys_(keys) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QStringLiteral("さかなのなまえ");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return kFishCount; }
    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < kFishCount ? QAccessible::queryAccessibleInterface(grid().label(index + 1))
                                                 : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *name = child ? qobject_cast<NameLabel *>(child->object()) : nullptr;
        return name && &name->grid() == &grid() ? name->fishNo() - 1 : -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        return keys_->hasFocus() && grid().highlighted() != 0 ? child(grid().highlighted() - 1) : nullptr;
    }

private:
    NameGrid &grid() const { return keys_->grid(); }
    NameKeys *keys_;
};

// A label or picture box: a name of the grid, a button, a picture or a text.
class ControlAccessible final : public QAccessibleWidget {
public:
    explicit ControlAccessible(Control *control)
        : QAccessibleWidget(control), control_(control), name_(qobject_cast<NameLabel *>(control))
    {
    }

    QAccessible::Role role() const override
    {
        if (name_)
            return QAccessible::ListItem;
        if (control_->isKeyboardReachable())
            return QAccessible::Button;
        return qobject_cast<PictureBox *>(control_) ? QAccessible::Graphic : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (name_)
            return fishName(name_->fishNo());
        return control_->accessibleName().isEmpty() ? spokenText(control_->text()) : control_->accessibleName();
    }
    QAccessibleInterface *parent() const override
    {
        if (name_)
            return QAccessible::queryAccessibleInterface(name_->grid().keys());
        return QAccessibleWidget::parent();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (name_) {
            const NameGrid &grid = name_->grid();
            const bool highlighted = grid.highlighted() == name_->fishNo();
            s.focusable = true;
            s.focused = highlighted && grid.keys()->hasFocus();
            s.selectable = true;
            // Selected is what the child sees red.
            s.selected = grid.isMarked(name_->fishNo());
            s.disabled = !grid.takesInput();
        }
        return s;
    }
    QStringList actionNames() const override
    {
        if (name_ || control_->isKeyboardReachable())
            return {pressAction()};
        return {};
    }
    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction())
            return;
        if (name_)
            name_->grid().choose(name_->fishNo());
        else if (control_->isKeyboardReachable())
            control_->activate();
    }
    QStringList keyBindingsForAction(const QString &actionName) const override
    {
        if (actionName == pressAction() && !actionNames().isEmpty())
            return {QStringLiteral("Return"), QStringLiteral("Space")};
        return {};
    }

private:
    Control *control_;
    NameLabel *name_;  // a name of the grid, or null
};

QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String(ScreenWindow::staticMetaObject.className()))
        return new WindowAccessible(widget);
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String(NameKeys::staticMetaObject.className()))
        return new GridAccessible(static_cast<NameKeys *>(widget));
    if (className == QLatin1String(Label::staticMetaObject.className()) ||
        className == QLatin1String(PictureBox::staticMetaObject.className()) ||
        className == QLatin1String(Control::staticMetaObject.className()))
        return new ControlAccessible(static_cast<Control *>(widget));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void announceFocus(QWidget &widget)
{
    QAccessibleEvent event(&widget, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QString spokenText(const QString &caption)
{
    QString spoken = caption;
    return spoken.remove(QLatin1Char(' '));
}

void speakAsPartOf(QWidget &part, QWidget &whole)
{
    part.setProperty(kWholeProperty, QVariant::fromValue<QObject *>(&whole));
}

Announcer::Announcer(QWidget &window) : QWidget(&window)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString &message)
{
    // A reader presents a notification as it shows.
    hide();
    setAccessibleName(message);
    show();
}

} // namespace sakana
