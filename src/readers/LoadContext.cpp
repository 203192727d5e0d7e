#include "readers/LoadContext.h"

#include <algorithm>

namespace tesmor {

void LoadContext::Notice(int id) {
  if (!HasNotice(id)) notices.push_back(id);
}

void LoadContext::Notice(int id, std::string_view detail) {
  Notice(id);
  std::string& text = noticeDetails[id];
  if (!text.empty()) text += "、";
  text += detail;
}

bool LoadContext::HasNotice(int id) const {
  return std::find(notices.begin(), notices.end(), id) != notices.end();
}

}  // namespace tesmor
