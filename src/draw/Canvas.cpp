#include "draw/Canvas.h"

#include <algorithm>

namespace tesmor {

void AddNotice(Canvas& dc, int messageId) {
  if (std::find(dc.notices.begin(), dc.notices.end(), messageId) == dc.notices.end()) {
    dc.notices.push_back(messageId);
  }
}

}  // namespace tesmor
