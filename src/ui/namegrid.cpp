// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/namegrid.h"

#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/screenwindow.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QShortcut>
#include <QTimer>

namespace sakana {

namespace {
constexpr int kColumnLength = kFishCount / 2;
}

TwipsRect nameRect(int fishNo)
{
    const int index = fishNo - 1;
    return {index < 20 ? 180 : 9000, 900 + 300 * (index % 20), 2325, 285};
}

std::optional<GridMove> gridMoveForKey(int key)
{
    switch (key) {
    case Qt::Key_Up: return GridMove::Up;
    case Qt::Key_Down: return GridMove::Down;
    case Qt::Key_Left: return GridMove::Left;
    case Qt::Key_Right: return GridMove::Right;
    default: return std::nullopt;
    }
}

int nameAfterMove(int fishNo, GridMove move)
{
    if (fishNo < 1 || fishNo > kFishCount)
        return 1;
    const int column = (fishNo - 1) / kColumnLength;
    const int row = (fishNo - 1) % kColumnLength;
    switch (move) {
    case GridMove::Up: return column * kColumnLength + (row + kColumnLength - 1) % kColumnLength + 1;
    case GridMove::Down: return column * kColumnLength + (row + 1) % kColumnLength + 1;
    case GridMove::Left:
    case GridMove::Right: return (1 - column) * kColumnLength + row + 1;
    }
    return fishNo;
}

NameKeys::NameKeys(NameGrid &grid, QWidget &window) : QWidget(&window), grid_(grid)
{
    setObjectName(QStringLiteral("nameKeys"));
    // Reached with Tab only: a click never lands on it, and a click on a name
    // leaves the focus where it was, as it always did.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void NameKeys::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // A key held down chooses once, as a button held down clicks once.
        if (!event->isAutoRepeat())
            grid_.chooseHighlighted();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void NameKeys::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // Tabbing onto the names highlights the first one, where an arrow
    // would start.
    const bool tabbed = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbed && grid_.highlighted() == 0) {
        grid_.lastPointed_ = 1;
        grid_.highlight(1);
    }
    if (tabbed)
        grid_.keyboardMovedTo(grid_.highlighted());
    grid_.focusChanged();
}

void NameKeys::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    grid_.focusChanged();
}

NameGrid::NameGrid(QWidget &window, const ControlDesign &design)
    : QObject(&window), keys_(new NameKeys(*this, window)), restTimer_(new QTimer(this))
{
    restTimer_->setObjectName(QStringLiteral("restTimer"));
    restTimer_->setSingleShot(true);
    restTimer_->setInterval(kRestMilliseconds);
    connect(restTimer_, &QTimer::timeout, this, [this] {
        if (highlighted_ != 0 && takesInput())
            emit nameIndicated(highlighted_);
    });
    for (int fishNo = kFishCount; fishNo >= 1; --fishNo) {
        auto *label = new NameLabel(*this, fishNo, window);
        setUpLabel(*label, design, nameRect(fishNo), fishCaption(fishNo));
        label->setObjectName(QStringLiteral("name%1").arg(fishNo));
        labels_[std::size_t(fishNo - 1)] = label;
        connect(label, &Control::clicked, this, [this, fishNo] {
            // The click says the name: the rest would say it again.
            restTimer_->stop();
            emit nameClicked(fishNo);
        });
        connect(label, &Control::pointerMoved, this, [this, fishNo] { pointerOverName(fishNo); });
        // A finger has no pointer to move away: once it is lifted, the name
        // is left as the pointer would leave it for the background.
        connect(label, &Control::touchReleased, this, [this, fishNo] {
            lastPointed_ = fishNo;
            pointerOverBackground();
        });
    }
    placeKeys();
    if (auto *screen = qobject_cast<ScreenWindow *>(&window))
        connect(screen, &ScreenWindow::scaleChanged, this, &NameGrid::placeKeys);
    keys_->lower();
    for (const int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right}) {
        // Arrows work wherever the focus is on the window, a button included.
        auto *shortcut = new QShortcut(QKeySequence(key), &window);
        connect(shortcut, &QShortcut::activated, this, [this, key] { move(*gridMoveForKey(key)); });
    }
}

void NameGrid::placeKeys()
{
    QRect area;
    for (const Label *label : labels_)
        area |= label->geometry();
    keys_->setGeometry(area);
}

void NameGrid::setMarked(int fishNo, bool marked)
{
    if (fishNo == 0)
        return;
    marked_.set(std::size_t(fishNo - 1), marked);
    label(fishNo)->setBackColour(marked ? colours::kNameMarked : colours::kNameNormal);
}

void NameGrid::markChosen(int fishNo)
{
    setMarked(chosen_, false);
    setMarked(fishNo, true);
    chosen_ = fishNo;
}

void NameGrid::markRightAnswer(int fishNo)
{
    // The child sees the right name instead of a wrong one.
    if (fishNo != chosen_) {
        setMarked(chosen_, false);
        setMarked(fishNo, true);
    }
    rightAnswer_ = fishNo;
}

void NameGrid::answerPauseOver()
{
    setMarked(rightAnswer_, false);
    rightAnswer_ = 0;
}

void NameGrid::clearMarks()
{
    // An answer whose pause was cut short leaves neither of its names red.
    if (rightAnswer_ != 0)
        setMarked(chosen_, false);
    answerPauseOver();
    chosen_ = 0;
}

bool NameGrid::isMarked(int fishNo) const
{
    return marked_.test(std::size_t(fishNo - 1));
}

void NameGrid::pointerOverName(int fishNo)
{
    lastPointed_ = fishNo;
    if (highlighted_ != fishNo)
        restTimer_->start();
    highlight(fishNo);
}

void NameGrid::pointerOverBackground()
{
    restTimer_->stop();
    setMarked(lastPointed_, false);
    highlighted_ = 0;
    focusChanged();
}

void NameGrid::move(GridMove step)
{
    if (!takesInput())
        return;
    const int next = nameAfterMove(highlighted_, step);
    lastPointed_ = next;
    highlight(next);
    keys_->setFocus(Qt::ShortcutFocusReason);
    keyboardMovedTo(next);
}

void NameGrid::keyboardMovedTo(int fishNo)
{
    restTimer_->stop();
    if (fishNo != 0 && takesInput() && !QAccessible::isActive())
        emit nameIndicated(fishNo);
}

void NameGrid::chooseHighlighted()
{
    if (highlighted_ != 0)
        choose(highlighted_);
}

void NameGrid::choose(int fishNo)
{
    if (!takesInput())
        return;
    lastPointed_ = fishNo;
    highlight(fishNo);
    restTimer_->stop();
    emit nameClicked(fishNo);
}

void NameGrid::setTakesInput(bool takes)
{
    // A disabled widget hands the focus on to the next one in the tab order.
    keys_->setEnabled(takes);
}

void NameGrid::highlight(int fishNo)
{
    if (highlighted_ != fishNo) {
        if (highlighted_ != 0)
            setMarked(highlighted_, false);
        setMarked(fishNo, true);
        highlighted_ = fishNo;
    }
    focusChanged();
}

void NameGrid::focusChanged()
{
    const int marked = keys_->hasFocus() ? highlighted_ : 0;
    if (marked == focusMarked_)
        return;
    if (focusMarked_ != 0)
        label(focusMarked_)->setFocusMark(false);
    focusMarked_ = marked;
    if (marked != 0) {
        label(marked)->setFocusMark(true);
        // Told once the list itself has been announced as taking the focus,
        // so that a screen reader ends on the name and not on the list.
        QMetaObject::invokeMethod(
            keys_, [this, marked] {
                if (focusMarked_ == marked)
                    announceFocus(*label(marked));
            },
            Qt::QueuedConnection);
    }
}

} // namespace sakana
