// SPDX-FileCopyrightText: 2026 The sakana developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/builtinpictures.h"

#include "media/picturefile.h"

#include <QCoreApplication>
#include <QImage>
#include <exception>
#include <future>
#include <map>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace sakana {

namespace {

struct Picture {
    // Set while the picture is decoded on the preloading thread.
    std::future<QImage> decoding;
    // Null until the picture has been decoded.
    QPixmap pixmap;
};

// Touched only from the thread that shows the windows.
std::map<std::string, Picture, std::less<>> &pictures()
{
    static std::map<std::string, Picture, std::less<>> all;
    return all;
}

// The preloading threads; each is joined by the time the application object
// is gone, before anything it uses is torn down.
std::vector<std::jthread> &preloaders()
{
    static std::vector<std::jthread> threads;
    return threads;
}

QImage decode(std::string_view name)
{
    return readPicture(QStringLiteral(":/pictures/") + QLatin1String(name.data(), qsizetype(name.size())));
}

} // namespace

void preloadBuiltInPictures(const WindowDesign &window, std::span<const ControlDesign> controls)
{
    std::vector<std::string> names;
    auto wanted = [&names](const char *name) {
        if (name && !pictures().contains(std::string_view(name)))
            names.emplace_back(name);
    };
    wanted(kWindowIcon);
    wanted(window.backgroundPicture);
    for (const ControlDesign &control : controls)
        wanted(control.picture);
    if (names.empty())
        return;

    std::vector<std::promise<QImage>> promises(names.size());
    for (std::size_t k = 0; k < names.size(); ++k)
        pictures()[names[k]].decoding = promises[k].get_future();
    // One thread decodes them in turn.
    if (preloaders().empty())
        qAddPostRoutine([] { preloaders().clear(); });
    preloaders().emplace_back([names = std::move(names), promises = std::move(promises)]() mutable {
        for (std::size_t k = 0; k < names.size(); ++k) {
            try {
                promises[k].set_value(decode(names[k]));
            } catch (...) {
                promises[k].set_exception(std::current_exception());
            }
        }
    });
}

const QPixmap &builtInPicture(const char *name)
{
    auto found = pictures().find(std::string_view(name));
    if (found == pictures().end())
        found = pictures().emplace(name, Picture{}).first;
    Picture &picture = found->second;
    if (picture.pixmap.isNull()) {
        // A picture that failed to decode throws here, and again at every
        // later request.
        QImage image = picture.decoding.valid() ? picture.decoding.get() : decode(name);
        picture.pixmap = QPixmap::fromImage(std::move(image));
    }
    return picture.pixmap;
}

} // namespace sakana
