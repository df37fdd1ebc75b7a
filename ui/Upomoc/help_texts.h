// The texts of the help window's pages, one entry per line.
#pragma once

#include <QStringList>

namespace kbd {

QStringList IntroductionLines();
QStringList UsageLines();
QStringList AdsLines();

} // namespace kbd
