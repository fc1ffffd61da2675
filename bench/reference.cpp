// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the start-up benchmark: the least a Qt program must do to
// show what the menu shows first. A window of the menu's size and title with
// the menu's title and three button captions, in the menu's fonts, and
// nothing else: no pictures, no colours, no sound, no media folder.

#include "screens/menu/menudesign.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>
#include <QWidget>

namespace {

QRect pixelRect(const sakana::TwipsRect &rect)
{
    using sakana::twipsToPixels;
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width), twipsToPixels(rect.height)};
}

QString text(const char16_t *caption)
{
    return QString::fromUtf16(caption);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QWidget window;
    window.setWindowTitle(text(sakana::menu::kWindow.caption));
    window.resize(sakana::twipsToPixels(sakana::menu::kWindow.clientWidth),
                        sakana::twipsToPixels(sakana::menu::kWindow.clientHeight));
    for (const sakana::ControlDesign &design : sakana::menu::kControls) {
        QWidget *control = nullptr;
        if (design.kind == sakana::Kind::Button)
            control = new QPushButton(text(design.caption), &window);
        else if (design.kind == sakana::Kind::Label)
            control = new QLabel(text(design.caption), &window);
        else
            continue;
        control->setFont(sakana::designFont(design.font));
        control->setGeometry(pixelRect(design.rect));
    }
    window.show();
    return QApplication::exec();
}
