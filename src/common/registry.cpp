#include "common/registry.h"

#include "common/error.h"

namespace tavrel {

std::int32_t StrictInteger(const std::wstring& name, const StoredValue& value) {
    if (!value.exists || value.byteSize > 4) {
        throw FailedToGetData(name);
    }
    if (value.type != kRegistryDword) {
        throw InvalidDataType(name);
    }
    return value.integer;
}

}  // namespace tavrel
