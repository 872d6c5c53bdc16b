#include "base/NumKeyFilter.h"

namespace vrn {

bool NumKeyFilter(Integer& KeyAscii) {
    const Integer key = KeyAscii;
    if (KeyAscii == 44) KeyAscii = 46;
    return (key >= 48 && key <= 57) || key == 69 || key == 101 || key == 44 || key == 45 ||
           key == 46 || key == 13 || key == 8 || key == 127;
}

}  // namespace vrn
