// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the picture reader: every input is offered once as a GIF file and
// once as an ICO file, since an ".ico" name alone makes the reader take the
// bytes as an icon; under any other name the content decides (GIF, PNG or
// JPEG, each walked to its end mark before decoding). Each read must give a picture or be refused with a MediaError that
// names the file; anything else (a crash, a sanitizer report, another
// exception, a hang or a blow-up in memory) is a fault.

#include "fuzzsupport.h"

#include "media/mediaerror.h"
#include "media/picturefile.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<sakana::fuzz::ScratchFile> gifInput;
std::unique_ptr<sakana::fuzz::ScratchFile> icoInput;

void read(const QString &path)
{
    try {
        const QImage image = sakana::readPicture(path);
        if (image.isNull())
            sakana::fuzz::fail("a picture was returned without pixels");
        // Touch the last byte of every line, so that a picture whose size
        // disagrees with its buffer shows up under AddressSanitizer.
        unsigned sum = 0;
        for (int y = 0; y < image.height(); ++y)
            sum += image.constScanLine(y)[image.bytesPerLine() - 1];
        volatile unsigned keep = sum;
        (void)keep;
    } catch (const sakana::MediaError &error) {
        if (!QString::fromUtf8(error.what()).contains(path))
            sakana::fuzz::fail("the error does not name the file");
    }
}

// Decodes a tiny picture of each kind, so that Qt loads both plugins (and
// their coverage counters are known) before fuzzing starts.
void loadPlugins()
{
    static const unsigned char gif[] = {
        'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 0xff, 0xff, 0xff,
        0x2c, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, 0x3b};
    static const unsigned char ico[] = {
        0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 1, 0, 32, 0, 48, 0, 0, 0, 22, 0, 0, 0,
        40, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0, 8, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0x11, 0x22, 0x33, 0xff, 0, 0, 0, 0};
    read(gifInput->write(gif, sizeof gif));
    read(icoInput->write(ico, sizeof ico));
    sakana::fuzz::checkPluginsLoaded({"gif", "ico"});
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    sakana::fuzz::startQt(argc, argv);
    gifInput = std::make_unique<sakana::fuzz::ScratchFile>(QStringLiteral("picture.gif"));
    icoInput = std::make_unique<sakana::fuzz::ScratchFile>(QStringLiteral("picture.ico"));
    loadPlugins();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    read(gifInput->write(data, size));
    read(icoInput->write(data, size));
    return 0;
}
