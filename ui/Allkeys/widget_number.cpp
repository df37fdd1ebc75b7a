#include "widget_number.h"

namespace kbd::allkeys {

int WidgetNumber(const QString& name, int prefixLength) {
    bool ok = false;
    const int number = name.mid(prefixLength).toInt(&ok, 10);
    return ok ? number : 0;
}

} // namespace kbd::allkeys
