#include "report/preview/rpWebAddress.h"

namespace {
String webAddress;
} // namespace

void rpSetWebAddress(const String& Address) {
    webAddress = Address;
}

const String& rpWebAddress() {
    return webAddress;
}
