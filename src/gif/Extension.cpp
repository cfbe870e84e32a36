#include "gif/Extension.h"

namespace skl {

void TExtension::Assign(TPersistent& source) {
    auto* extension = dynamic_cast<TExtension*>(&source);
    if (!extension) return TPersistent::Assign(source);
    if (extension != this) *this = *extension;
}

}  // namespace skl
