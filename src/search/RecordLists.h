#pragma once

#include "search/LineFormat.h"
#include "search/SelectionRules.h"
#include "storage/RecordLayout.h"

#include <array>

namespace dp::search {

// A list of selected records of one archive: low stock, unpaid, customers and suppliers to
// call back. The screens add only where a picked record goes.
struct RecordListDef {
    const char* className;
    const char* caption;
    const char* title; // print title
    const RecordLayout& layout;
    SelectionRule rule;
    const LineFormat& format;
};

const RecordListDef& lowStockList();
const RecordListDef& unpaidList();
const RecordListDef& customerRecontactList();
const RecordListDef& supplierRecontactList();
// Customers whose identity document has expired or expires within 30 days of `today`.
RecordListDef expiringDocumentList(QDate today);
inline constexpr int kDocumentNoticeDays = 30;

// One criterion of an archive search: its edit field, the label beside it and the record
// field it is looked for in.
struct CriterionDef {
    const char* control; // txtCognome; its highlight frame is eff + the stem
    const char* label;
    int field;
};
inline constexpr int kCriteria = 10;

// An archive search: its criteria in matching and Enter order, and its result line.
struct SearchDef {
    const char* className;
    const char* caption;
    const char* title; // print title
    const RecordLayout& layout;
    std::array<CriterionDef, kCriteria> criteria;
    const LineFormat& format;

    std::array<int, kCriteria> fields() const;
};

const SearchDef& customerSearch();
const SearchDef& supplierSearch();
const SearchDef& productSearch();

} // namespace dp::search
