// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cardprinter.h"

#include "media/mediaerror.h"
#include "media/mediafolder.h"
#include "media/picturefile.h"
#include "quiz/catalogue.h"
#include "quiz/drillset.h"
#include "ui/fonts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>
#include <vector>

namespace sakana {

namespace {

// The page in dots at 300 dots per inch: A4, 10 mm margins.
constexpr int kDotsPerInch = 300;
constexpr QRect kArea{118, 118, 2244, 3272};
constexpr int kColumns = 2;
constexpr int kRows = kCardsPerPage / kColumns;
constexpr int kCardWidth = kArea.width() / kColumns;
constexpr int kCardHeight = kArea.height() / kRows;
constexpr int kInset = 40;
constexpr int kNameHeight = 220;
// The name's size in points at 96 dots per inch, as the designs give it:
// 180 dots, 15 mm on paper.
constexpr double kNamePoints = 135;
constexpr double kListPoints = 60;
constexpr int kListRows = 20;

QPen cutLine()
{
    QPen pen(QColor(0x80, 0x80, 0x80), 3, Qt::DashLine);
    return pen;
}

void drawCard(QPainter &painter, const QRect &card, const QImage &picture, const QString &name)
{
    const QRect frame = card.adjusted(kInset, kInset, -kInset, -kInset - kNameHeight);
    if (!picture.isNull()) {
        const QSize size = picture.size().scaled(frame.size(), Qt::KeepAspectRatio);
        const QImage scaled = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QRect target(QPoint(), size);
        painter.drawImage(target.translated(frame.center() - target.center()), scaled);
    }
    painter.setFont(designFont({.face = Face::Mincho, .points = kNamePoints}));
    painter.setPen(Qt::black);
    painter.drawText(QRect(card.left(), card.bottom() - kInset - kNameHeight, card.width(), kNameHeight),
                     Qt::AlignCenter, name);
}

// The dashed lines between the cards of a page and round them.
void drawCutLines(QPainter &painter, int cards)
{
    painter.setPen(cutLine());
    const int rows = (cards + kColumns - 1) / kColumns;
    for (int row = 0; row <= rows; ++row) {
        const int y = kArea.top() + row * kCardHeight;
        painter.drawLine(kArea.left(), y, kArea.left() + kArea.width(), y);
    }
    for (int column = 0; column <= kColumns; ++column) {
        const int x = kArea.left() + column * kCardWidth;
        painter.drawLine(x, kArea.top(), x, kArea.top() + rows * kCardHeight);
    }
}

void drawNameList(QPainter &painter, const std::vector<int> &fish)
{
    painter.setPen(Qt::black);
    painter.setFont(designFont({.face = Face::Mincho, .points = kListPoints, .bold = true}));
    const int rowHeight = (kArea.height() - 200) / kListRows;
    painter.drawText(QRect(kArea.left(), kArea.top(), kArea.width(), 160), Qt::AlignCenter,
                     QStringLiteral("さかなの なまえ"));
    painter.setFont(designFont({.face = Face::Mincho, .points = kListPoints}));
    const int box = rowHeight / 2;
    for (std::size_t k = 0; k < fish.size(); ++k) {
        const int column = int(k) / kListRows;
        const int row = int(k) % kListRows;
        const int left = kArea.left() + 200 + column * kArea.width() / 2;
        const int top = kArea.top() + 200 + row * rowHeight;
        painter.setPen(QPen(Qt::black, 4));
        painter.drawRect(left, top + (rowHeight - box) / 2, box, box);
        painter.drawText(QRect(left + box + 50, top, kArea.width() / 2 - box - 250, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, fishName(fish[k]));
    }
}

QString cannotWrite(const QString &file, const QString &reason)
{
    return QCoreApplication::translate("CommandLine", "cannot write the fish cards to %1: %2").arg(file, reason);
}

} // namespace

std::optional<QString> writeFishCards(const QString &file, const MediaFolder &media, const FishSet &set)
{
    std::vector<int> fish;
    for (int fishNo = 1; fishNo <= kFishCount; ++fishNo) {
        if (set.test(std::size_t(fishNo - 1)))
            fish.push_back(fishNo);
    }
    // Every picture is read before anything is written.
    std::vector<QImage> pictures;
    for (const int fishNo : fish)
        pictures.push_back(readPicture(media.fishPicture(fishNo)));

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return cannotWrite(file, out.errorString());
    {
        QPdfWriter pdf(&out);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF());
        pdf.setResolution(kDotsPerInch);
        pdf.setTitle(QStringLiteral("さかなカード"));
        pdf.setCreator(QStringLiteral("sakana"));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            out.cancelWriting();
            return cannotWrite(file, out.errorString());
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        for (std::size_t k = 0; k < fish.size(); ++k) {
            const int onPage = int(k) % kCardsPerPage;
            if (k > 0 && onPage == 0)
                pdf.newPage();
            if (onPage == 0)
                drawCutLines(painter, std::min(kCardsPerPage, int(fish.size() - k)));
            const QRect card(kArea.left() + onPage % kColumns * kCardWidth, kArea.top() + onPage / kColumns * kCardHeight,
                             kCardWidth, kCardHeight);
            drawCard(painter, card, pictures[k], fishName(fish[k]));
        }
        pdf.newPage();
        drawNameList(painter, fish);
        painter.end();
    }
    if (!out.commit())
        return cannotWrite(file, out.errorString());
    return std::nullopt;
}

int printFishCards(const QString &file, const std::optional<MediaFolder> &media, const QString &programDirectory)
{
    std::optional<QString> failure;
    if (!media) {
        failure = QCoreApplication::translate("CommandLine", "No media folder found; looked in: %1")
                      .arg(MediaFolder::placesFor(programDirectory).join(QStringLiteral(", ")));
    } else {
        try {
            failure = writeFishCards(file, *media, drillSetOf(*media).value_or(kAllFish));
        } catch (const MediaError &error) {
            failure = error.file() + QStringLiteral(": ") + error.translatedReason();
        }
    }
    if (!failure)
        return 0;
    const QString line = QStringLiteral("sakana: ") + *failure + u'\n';
    std::fputs(line.toLocal8Bit().constData(), stderr);
    return 1;
}

} // namespace sakana
