#include "framework/core/Persistent.h"

#include "framework/core/Exceptions.h"

namespace skl {

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& target) const {
    throw EConvertError(Format(SAssignError, ClassName(), target.ClassName()));
}

}  // namespace skl
