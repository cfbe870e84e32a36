#include "gif/Extension.h"

namespace skl {

void TExtension::Assign(const TPersistent& source) {
    const auto* extension = dynamic_cast<const TExtension*>(&source);
    if (!extension) return TPersistent::Assign(source);
    if (extension != this) *this = *extension;
}

}  // namespace skl
