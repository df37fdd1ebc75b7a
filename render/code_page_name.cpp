#include "code_page_name.h"

#include <array>
#include <utility>

namespace kbd::render {

QString CodePageName(int number) {
    static constexpr std::array<std::pair<int, const char*>, 10> kNames{{
        {874, "Thai"},
        {1250, "Central European"},
        {1251, "Cyrillic"},
        {1252, "Western European"},
        {1253, "Greek"},
        {1254, "Turkish"},
        {1255, "Hebrew"},
        {1256, "Arabic"},
        {1257, "Baltic"},
        {1258, "Vietnamese"},
    }};
    for (const auto& [code, name] : kNames) {
        if (code == number) {
            return QString::fromLatin1(name);
        }
    }
    return {};
}

QString CodePageCaption(int number) {
    const QString name = CodePageName(number);
    const QString caption = QStringLiteral("code page %1").arg(number);
    return name.isEmpty() ? caption : caption + QStringLiteral(" (%1)").arg(name);
}

} // namespace kbd::render
