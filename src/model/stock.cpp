// Construction, the coupled setters, assignment, equality and the per-context defaults of Stock.
#include "model/stock.h"

#include "model/text_compare.h"

Stock::Stock(const platform::PlistDict* dictionary) { fromTicket(dictionary); }

void Stock::setSize(std::int32_t size) {
  size_ = size;
  // Dimensions describe only a custom size; any named size has its own in the size table.
  if (size != kStockSizeCustom) {
    width_ = kPrinterDefault;
    length_ = kPrinterDefault;
  }
}

void Stock::setWidth(std::int32_t width) {
  width_ = width;
  if (width != kPrinterDefault) size_ = kStockSizeCustom;
}

void Stock::setLength(std::int32_t length) {
  length_ = length;
  if (length != kPrinterDefault) size_ = kStockSizeCustom;
}

void Stock::setType(std::int32_t type) {
  type_ = type;
  // A transparency has no paper colour to choose.
  if (type == kStockTypeTransparency) color_ = kStockColorClear;
}

// Dialogs edit a copy and assign it back on OK; going through the setters here repairs a copy
// whose couplings were broken by a ticket read. The order matters: the size comes before the
// dimensions (so a set width survives as a custom size), and the colour before the type (so a
// transparency ends up clear whatever colour it carried).
Stock& Stock::operator=(const Stock& other) {
  if (this == &other) return *this;
  setSize(other.size_);
  setWidth(other.width_);
  setLength(other.length_);
  setColor(other.color_);
  setCustomColor(other.customColor_);
  setType(other.type_);
  setCustomType(other.customType_);
  setModulus(other.modulus_);
  setWeight(other.weight_);
  setPunched(other.punched_);
  setDescription(other.description_);
  setSidesCoated(other.sidesCoated_);
  setCoatingType(other.coatingType_);
  setFinish(other.finish_);
  setGrain(other.grain_);
  setCustomName(other.customName_);
  setCustomNameOnly(other.customNameOnly_);
  setComment(other.comment_);
  setSource(other.source_);
  return *this;
}

bool operator==(const Stock& a, const Stock& b) {
  return a.size_ == b.size_ && a.width_ == b.width_ && a.length_ == b.length_ && a.color_ == b.color_ &&
         a.type_ == b.type_ && a.modulus_ == b.modulus_ && a.weight_ == b.weight_ &&
         a.punched_ == b.punched_ && a.sidesCoated_ == b.sidesCoated_ &&
         a.coatingType_ == b.coatingType_ && a.finish_ == b.finish_ && a.grain_ == b.grain_ &&
         a.customNameOnly_ == b.customNameOnly_ && EqualIgnoringCase(a.customColor_, b.customColor_) &&
         EqualIgnoringCase(a.customType_, b.customType_) &&
         EqualIgnoringCase(a.description_, b.description_) &&
         EqualIgnoringCase(a.customName_, b.customName_) && EqualIgnoringCase(a.comment_, b.comment_) &&
         a.source_ == b.source_;
}

void DefaultStock(Stock& stock, JobContext context) {
  stock.setSize(kPrinterDefault);
  stock.setColor(kPrinterDefault);
  stock.setType(kPrinterDefault);
  // A special page that says nothing about punching takes the job's setting; the job itself
  // asks for plain, unpunched paper.
  stock.setPunched(context == kJobContextJob ? 1 : kPrinterDefault);
  stock.setWeight(kPrinterDefault);
  stock.setCustomType({});
  stock.setCustomColor({});
  stock.setModulus(kPrinterDefault);
  stock.setDescription({});
  stock.setCustomName({});
  stock.setCustomNameOnly(false);
  stock.setSidesCoated(kPrinterDefault);
}
