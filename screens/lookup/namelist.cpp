#include "screens/lookup/namelist.h"

#include "app/runtimeerror.h"
#include "app/textfile.h"

namespace sakana {

NameList readNameList(const QString &path)
{
    static_assert(std::tuple_size_v<NameList> == nameListEntries + 1);

    NameList names;
    TextFile file(path);
    for (int k = 1; k <= nameListEntries; ++k) {
        std::optional<QString> entry = file.readEntry();
        if (!entry)
            throw RuntimeError(path, QStringLiteral("項目が%1個ありません（%2個しかありません）")
                                         .arg(nameListEntries)
                                         .arg(k - 1));
        names[k] = std::move(*entry);
    }
    return names;
}

} // namespace sakana
