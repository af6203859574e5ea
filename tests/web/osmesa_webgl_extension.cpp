// osmesa_webgl_extension.cpp -- enableWebglExtension on OSMesa, for the native tests.
#include "tests/web/osmesa_webgl_extension.h"

#include <cstring>

#include "platform/web/webgl_extension.h"

namespace web_test {
bool extensionsAvailable = true;
}

bool web::enableWebglExtension(const char* name) {
    return (std::strcmp(name, "OES_element_index_uint") == 0 ||
            std::strcmp(name, "ANGLE_instanced_arrays") == 0) &&
           web_test::extensionsAvailable;
}
