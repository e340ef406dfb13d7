#pragma once

#include "search/LineFormat.h"
#include "search/SelectionRules.h"
#include "storage/RecordLayout.h"

#include <array>

namespace dp::search {

// A list of selected records of one archive: low stock, unpaid, customers and suppliers to
// call back. The screens add only where a picked record goes.
struct RecordListConfig {
    const char* className;
    const char* caption;
    const char* title; // print title
    const RecordLayout& layout;
    SelectionRule rule;
    const LineFormat& format;
};

const RecordListConfig& lowStockList();
const RecordListConfig& unpaidList();
const RecordListConfig& customerRecontactList();
const RecordListConfig& supplierRecontactList();
// Customers whose identity document has expired or expires within 30 days of `today`.
RecordListConfig expiringDocumentList(QDate today);
inline constexpr int kDocumentNoticeDays = 30;

// One criterion of an archive search: its edit field, the label beside it and the record
// field it is looked for in.
struct CriterionConfig {
    const char* control; // txtCognome; its highlight frame is eff + the stem
    const char* label;
    int field;
};
inline constexpr int kCriteria = 10;

// An archive search: its criteria in matching and Enter order, and its result line.
struct SearchConfig {
    const char* className;
    const char* caption;
    const char* title; // print title
    const RecordLayout& layout;
    std::array<CriterionConfig, kCriteria> criteria;
    const LineFormat& format;

    std::array<int, kCriteria> fields() const;
};

const SearchConfig& customerSearch();
const SearchConfig& supplierSearch();
const SearchConfig& productSearch();

} // namespace dp::search
