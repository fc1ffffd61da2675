// Fuzzes the check that decides whether a sound file is handed to the sound
// system: every input must get an answer, quickly and without a sanitizer
// report. A file the check accepts must stay accepted with more bytes after
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
    const bool accepted = !sakana::waveProblem(bytes);
    if (accepted && !bytes.startsWith("RIFF"))
        sakana::fuzz::fail("a file without a RIFF header is accepted");
    if (accepted && sakana::waveProblem(bytes + QByteArray(17, '\xff')))
        sakana::fuzz::fail("bytes after an accepted sound make it refused");
    const QByteArray half = bytes.left(bytes.size() / 2);
    if (!accepted && !sakana::waveProblem(half))
        sakana::fuzz::fail("the first half of a refused file is accepted");
    return 0;
}
