#include "readers/LoadContext.h"

#include <algorithm>

namespace tesmor {

void LoadContext::Notice(int id) {
  if (!HasNotice(id)) notices.push_back(id);
}

bool LoadContext::HasNotice(int id) const {
  return std::find(notices.begin(), notices.end(), id) != notices.end();
}

}  // namespace tesmor
