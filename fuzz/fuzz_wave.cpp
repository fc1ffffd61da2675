// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the reader that decides whether a sound file is handed to the sound
// system, and which of its bytes: every input must get an answer, quickly and
// without a sanitizer report, and an accepted sound's samples are whole
// frames within the input. A file the reader accepts must stay accepted with more bytes after
// it, since only the bytes up to the end of its samples count; a prefix that
// is accepted makes the whole input accepted for the same reason.

#include "fuzzsupport.h"

#include "media/wavefile.h"

#include <QByteArray>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    sakana::fuzz::startQt(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A copy of exactly the input's bytes, so that AddressSanitizer sees a
    // read past its end.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto reading = sakana::readWave(bytes);
    const auto *wave = std::get_if<sakana::Wave>(&reading);
    const bool accepted = wave != nullptr;
    // The samples handed to the sound system: whole frames within the input.
    if (wave && (wave->samples.isEmpty() || wave->samples.size() % wave->format.frameBytes() != 0 ||
                 wave->samples.data() < bytes.constData() ||
                 wave->samples.data() + wave->samples.size() > bytes.constData() + bytes.size()))
        sakana::fuzz::fail("the samples of an accepted sound are not whole frames within it");
    if (accepted && !bytes.startsWith("RIFF"))
        sakana::fuzz::fail("a file without a RIFF header is accepted");
    if (accepted && !std::holds_alternative<sakana::Wave>(sakana::readWave(bytes + QByteArray(17, '\xff'))))
        sakana::fuzz::fail("bytes after an accepted sound make it refused");
    const QByteArray half = bytes.left(bytes.size() / 2);
    if (!accepted && std::holds_alternative<sakana::Wave>(sakana::readWave(half)))
        sakana::fuzz::fail("the first half of a refused file is accepted");
    return 0;
}
