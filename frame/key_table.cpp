// key_table.cpp -- the process-wide table of held keys.
#include "frame/key_table.h"

namespace frame {

KeyTable keyTable = {};

}  // namespace frame
