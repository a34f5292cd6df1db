#pragma once
// One paper stock: size, colour, type, weight, coating, finish, grain, punching, free texts and
// the paper source that feeds it. The job, the pad, every special page and every stock-library
// entry carry one. Integer fields hold kPrinterDefault while they are not set.
//
// The setters keep two couplings: a custom width or length makes the size custom (75) and a
// non-custom size forgets the custom dimensions; a transparency (type 2) is always clear
// (colour 6). The dictionary reader does not apply them, so a stock read from a ticket is
// exactly what the ticket says; assignment goes through the setters and so restores them.
#include <cstdint>
#include <memory>
#include <string>

#include "model/ticket_field_table.h"
#include "platform/plist/plist_value.h"
#include "vocabulary/job_context.h"
#include "vocabulary/printer_default.h"

inline constexpr std::int32_t kStockSizeCustom = 75;
inline constexpr std::int32_t kStockTypeTransparency = 2;
inline constexpr std::int32_t kStockTypePrePrinted = 3;
inline constexpr std::int32_t kStockTypePrecutTab = 4;
inline constexpr std::int32_t kStockTypeFullCutTab = 5;
inline constexpr std::int32_t kStockTypeOrdered = 6;
inline constexpr std::int32_t kStockTypeCustom = 7;
inline constexpr std::int32_t kStockTypeLabels = 9;
inline constexpr std::int32_t kStockTypeRecycled = 10;
inline constexpr std::int32_t kStockTypeLetterhead = 14;
inline constexpr std::int32_t kStockTypeSystemDefault = 23;
// The paper source of the post-fuser inserter.
inline constexpr std::int32_t kStockSourcePostFuserInserter = 10;
inline constexpr std::int32_t kStockNotPunched = 1;
inline constexpr std::int32_t kStockPunched = 2;  // with this many holes:
inline constexpr std::int32_t kStockPunchedHoleCount = 3;
inline constexpr std::int32_t kStockColorClear = 6;

class Stock {
 public:
  Stock() = default;
  // The defaults, then every key of the stock dictionary laid over them; null leaves the defaults.
  explicit Stock(const platform::PlistDict* dictionary);
  // A field-for-field copy: no setter rule is applied, so a broken coupling stays broken.
  Stock(const Stock& other) = default;
  // Copies through the setters in a fixed order (see stock.cpp); self-assignment does nothing.
  Stock& operator=(const Stock& other);
  virtual ~Stock() = default;

  // A copy the caller owns.
  std::unique_ptr<Stock> clone() const { return std::make_unique<Stock>(*this); }

  // The stock dictionary; only the keys whose fields are set, except "Type", which is always there.
  platform::PlistDict asTicket() const;
  // Lays the keys present in dictionary over the fields, without the setter couplings. A key
  // holding a value of the wrong kind, or a number that is no exact 32-bit integer, leaves its
  // field as it was. Null does nothing.
  void fromTicket(const platform::PlistDict* dictionary);

  std::int32_t size() const { return size_; }
  std::int32_t width() const { return width_; }
  std::int32_t length() const { return length_; }
  std::int32_t type() const { return type_; }
  const std::string& customType() const { return customType_; }
  std::int32_t color() const { return color_; }
  const std::string& customColor() const { return customColor_; }
  std::int32_t modulus() const { return modulus_; }
  std::int32_t punched() const { return punched_; }
  std::int32_t weight() const { return weight_; }
  const std::string& description() const { return description_; }
  std::int32_t sidesCoated() const { return sidesCoated_; }
  std::int32_t coatingType() const { return coatingType_; }
  std::int32_t finish() const { return finish_; }
  std::int32_t grain() const { return grain_; }
  const std::string& customName() const { return customName_; }
  bool customNameOnly() const { return customNameOnly_; }
  const std::string& comment() const { return comment_; }
  std::int32_t source() const { return source_; }

  void setSize(std::int32_t size);
  void setWidth(std::int32_t width);
  void setLength(std::int32_t length);
  void setType(std::int32_t type);
  void setCustomType(std::string text) { customType_ = std::move(text); }
  void setColor(std::int32_t color) { color_ = color; }
  void setCustomColor(std::string text) { customColor_ = std::move(text); }
  void setModulus(std::int32_t modulus) { modulus_ = modulus; }
  void setPunched(std::int32_t punched) { punched_ = punched; }
  void setWeight(std::int32_t weight) { weight_ = weight; }
  void setDescription(std::string text) { description_ = std::move(text); }
  void setSidesCoated(std::int32_t sides) { sidesCoated_ = sides; }
  void setCoatingType(std::int32_t coating) { coatingType_ = coating; }
  void setFinish(std::int32_t finish) { finish_ = finish; }
  void setGrain(std::int32_t grain) { grain_ = grain; }
  void setCustomName(std::string text) { customName_ = std::move(text); }
  void setCustomNameOnly(bool only) { customNameOnly_ = only; }
  void setComment(std::string text) { comment_ = std::move(text); }
  void setSource(std::int32_t source) { source_ = source; }

  // Integers equal, customNameOnly equal, the five texts equal ignoring case (see
  // text_compare.h). coatingType counts even while sidesCoated is not set.
  friend bool operator==(const Stock& a, const Stock& b);

 private:
  // The rows of the stock dictionary, which asTicket and fromTicket both walk.
  static ticket_fields::Table<Stock> ticketFields();

  std::int32_t size_ = kPrinterDefault;
  std::int32_t width_ = kPrinterDefault;   // hundredths of a millimetre, only for size 75
  std::int32_t length_ = kPrinterDefault;  // feed direction, likewise
  std::int32_t type_ = kPrinterDefault;
  std::string customType_;
  std::int32_t color_ = kPrinterDefault;
  std::string customColor_;
  std::int32_t modulus_ = kPrinterDefault;  // sheets in one set of a tab or ordered stock
  std::int32_t punched_ = kPrinterDefault;
  std::int32_t weight_ = kPrinterDefault;   // grams per square metre
  std::string description_;
  std::int32_t sidesCoated_ = kPrinterDefault;
  std::int32_t coatingType_ = 1;  // gloss: the coating menu has no not-set row
  std::int32_t finish_ = kPrinterDefault;
  std::int32_t grain_ = kPrinterDefault;
  std::string customName_;
  bool customNameOnly_ = false;
  std::string comment_;
  std::int32_t source_ = kPrinterDefault;  // 10: the post-print inserter
};

// Resets the stock to the defaults of a context: not punched (1) for the job, the job's setting
// (kPrinterDefault) for a special page. Coating type, finish, grain, comment and source stay.
void DefaultStock(Stock& stock, JobContext context);
