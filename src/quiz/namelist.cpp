#include "quiz/namelist.h"

#include "media/mediaerror.h"
#include "quiz/textfile.h"

namespace sakana {

NameList readNameList(const QString &path)
{
    NameList names;
    TextFile file(path);
    for (int fishNo = 1; fishNo <= kNameListEntries; ++fishNo) {
        std::optional<QString> entry = file.readEntry();
        if (!entry)
            throw MediaError(path, QStringLiteral("項目が%1個ありません（%2個しかありません）")
                                       .arg(kNameListEntries)
                                       .arg(fishNo - 1));
        names.setCaption(fishNo, std::move(*entry));
    }
    return names;
}

} // namespace sakana
