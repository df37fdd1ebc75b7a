#include "start_file.h"

#include "ui/Allkeys/all_keys_form.h"

#include <QTimer>
#include <cstdio>

namespace kbd {

bool AcceptStartArguments(const QStringList& arguments, QString& file) {
    const QStringList rest = arguments.mid(1);
    // An option of our own does not exist; "./-name" still opens a file of that name.
    if (rest.size() > 1 || (rest.size() == 1 && rest.front().startsWith(u'-'))) {
        std::fputs("usage: kbdgen [FILE.KBD]\n", stderr);
        return false;
    }
    file = rest.value(0);
    return true;
}

void OpenWhenStarted(TAllKeysForm& window, const QString& path) {
    QTimer::singleShot(0, &window, [&window, path] { window.OpenKbdFile(path); });
}

} // namespace kbd
