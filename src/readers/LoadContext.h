// Everything one load works on: the boring record being filled, the tables the
// readers consult, the notices the load raises and the state of each reader.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "readers/XmlReaderState.h"
#include "record/BoringRecord.h"

namespace tesmor {

struct GeologyClassTable;

struct LoadContext {
  explicit LoadContext(BoringRecord& rec, const GeologyClassTable* geologyTable = nullptr)
      : record(rec), geology(geologyTable) {}

  BoringRecord& record;
  // The geology-name classification used to compose pattern codes; the built-in
  // table when null.
  const GeologyClassTable* geology;

  // Message ids raised during the load, in order, each once, and the texts that fill
  // the "%1" of their messages (several details of one id are joined with "、").
  std::vector<int> notices;
  std::map<int, std::string> noticeDetails;
  void Notice(int id);
  void Notice(int id, std::string_view detail);
  bool HasNotice(int id) const;

  // Boring-information files: the common reader, the DTD 1.10 pass and what both
  // have learnt about the boring.
  XmlPassState xml;
  XmlPassState xml110;
  XmlBoringFacts xmlBoring;
};

}  // namespace tesmor
