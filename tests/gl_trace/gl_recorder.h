// The text of every GL call made since the trace was last cleared.
#pragma once

#include <string>

namespace pelmora {

std::string& glTrace();

}  // namespace pelmora
