// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media/mediafolder.h"

#include <QString>
#include <vector>

class QTextStream;

namespace sakana {

// A check of a media folder for the teacher who prepares one: every problem
// at once, read with the very code the program uses. Writes nothing.
struct MediaProblem {
    enum class Kind {
        Stops,   // the program would stop with its error report
        Warning, // the program goes on, but silent or with a caption cut off
        Note     // how the program reads a file, for the teacher to know
    };
    QString file;
    QString message;
    Kind kind = Kind::Stops;
};

std::vector<MediaProblem> checkMediaFolder(const MediaFolder &media);

// 0 when the folder is complete (notes alone), 1 when anything would stop
// the program, 2 for warnings only.
int checkExitStatus(const std::vector<MediaProblem> &problems);

// One line a problem, naming the file, then a summary line.
void printCheck(const MediaFolder &media, const std::vector<MediaProblem> &problems, QTextStream &out);

} // namespace sakana
