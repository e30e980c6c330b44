#include "fields.h"

namespace varnel {

std::string_view FieldName(InputField field) {
    switch (field) {
        case InputField::WireSize:
            return WIRESIZE;
        case InputField::WireLength:
            return WIRELENGTH;
        case InputField::Resistance:
            break;
    }
    return RESISTANCE;
}

}  // namespace varnel
