// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the name-list reader with whole caption files: every input must
// either give forty entries or be refused with a MediaError that names the
// file. Anything else (a crash, a sanitizer report, another exception, a
// hang or a blow-up in memory) is a fault.

#include "fuzzsupport.h"

#include "media/mediaerror.h"
#include "quiz/namelist.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<sakana::fuzz::ScratchFile> input;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    sakana::fuzz::startQt(argc, argv);
    input = std::make_unique<sakana::fuzz::ScratchFile>(QStringLiteral("name.txt"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString &path = input->write(data, size);
    try {
        const sakana::NameList names = sakana::readNameList(path);
        // An entry is cut from at most 64 KiB of bytes, and no code page 932
        // byte decodes to more than one UTF-16 unit.
        for (int fish = 1; fish <= sakana::kFishCount; ++fish) {
            if (names.caption(fish).size() > 64 * 1024)
                sakana::fuzz::fail("an entry is longer than the bytes it may come from");
        }
    } catch (const sakana::MediaError &error) {
        if (!QString::fromUtf8(error.what()).contains(path))
            sakana::fuzz::fail("the error does not name the file");
    }
    return 0;
}
