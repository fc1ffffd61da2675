// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the fuzz targets share: one Qt application for the whole process,
// Qt's image plugins taken from the folder that SAKANA_FUZZ_QT_PLUGINS names
// (the instrumented ones) when it is set, and scratch files that hold the
// current input, since the readers under test take a path.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace sakana::fuzz {

// Stops the process as a finding: a promise of the code under test was broken.
[[noreturn]] void fail(const char *what);

// Creates the application and points Qt at the plugin folder. Call once,
// from LLVMFuzzerInitialize.
void startQt(int *argc, char ***argv);

// After the plugins for these formats have been loaded once: stops the
// process if a plugin came from somewhere other than SAKANA_FUZZ_QT_PLUGINS
// while that is set, and says which file each one came from.
void checkPluginsLoaded(const QByteArrayList &formats);

// A file in a scratch folder of this process, rewritten with every input.
// The folder and the file go when the process ends normally.
class ScratchFile {
public:
    explicit ScratchFile(const QString &fileName);

    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    // Replaces the file's contents with the input; returns its path.
    const QString &write(const std::uint8_t *data, std::size_t size);

    const QString &path() const noexcept { return path_; }

private:
    QString path_;
    QByteArray nativePath_;
};

} // namespace sakana::fuzz
