// What assistive tools learn of the keys and the cells: a push button named by its caption
// and a static text, as the stock widgets they stand in for described themselves.
#pragma once

namespace kbd::toolkit {

// Adds, once per process, the description of ByteButton and ByteLabel to Qt's
// accessibility. Costs nothing until an assistive tool asks.
void InstallByteAccessibility();

} // namespace kbd::toolkit
