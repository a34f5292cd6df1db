#pragma once
// The pages of a job that do not use the job's paper or settings: covers, inserts (blank sheets
// after a given page) and exception page ranges. Each carries its own Stock; an exception range
// also carries its own sides, image shift, colour and image-quality settings. Integer fields hold
// kPrinterDefault while not set, meaning that the job's own setting applies.
#include <cstdint>
#include <memory>

#include "model/full_color_options.h"
#include "model/image_shift_options.h"
#include "model/stock.h"
#include "platform/plist/plist_value.h"

class SpecialPage {
 public:
  SpecialPage() = default;
  // The stock from "Stock" (absent: a default stock), then "StartPage" when it is a number.
  explicit SpecialPage(const platform::PlistDict& dictionary);
  SpecialPage(const SpecialPage&) = default;
  SpecialPage& operator=(const SpecialPage&) = default;
  virtual ~SpecialPage() = default;

  // The page's dictionary; the base writes "StartPage" and "Stock".
  virtual platform::PlistDict asTicket() const;
  virtual std::unique_ptr<SpecialPage> clone() const = 0;

  std::int32_t startPage() const { return startPage_; }
  void setStartPage(std::int32_t page) { startPage_ = page; }
  Stock& stock() { return stock_; }
  const Stock& stock() const { return stock_; }

 private:
  std::int32_t startPage_ = 0;
  Stock stock_;
};

class Cover : public SpecialPage {
 public:
  Cover() = default;
  explicit Cover(const platform::PlistDict& dictionary);
  platform::PlistDict asTicket() const override;
  std::unique_ptr<SpecialPage> clone() const override { return std::make_unique<Cover>(*this); }

  // From CoverSidesImagedMap: 1 blank or pre-printed, 2 side 1, 3 side 2, 4 both sides.
  std::int32_t sidesImaged() const { return sidesImaged_; }
  void setSidesImaged(std::int32_t sides) { sidesImaged_ = sides; }

  // Same printed sides and same stock; the start page does not count.
  friend bool operator==(const Cover& a, const Cover& b) {
    return a.sidesImaged_ == b.sidesImaged_ && a.stock() == b.stock();
  }

 private:
  std::int32_t sidesImaged_ = 1;
};

class Insert : public SpecialPage {
 public:
  Insert() = default;
  explicit Insert(const platform::PlistDict& dictionary);
  platform::PlistDict asTicket() const override;
  std::unique_ptr<SpecialPage> clone() const override { return std::make_unique<Insert>(*this); }

  std::int32_t quantity() const { return quantity_; }
  void setQuantity(std::int32_t quantity) { quantity_ = quantity; }

 private:
  std::int32_t quantity_ = 1;
};

class ExceptionPage : public SpecialPage {
 public:
  ExceptionPage() { imageShift_.valid = false; }
  explicit ExceptionPage(const platform::PlistDict& dictionary);
  platform::PlistDict asTicket() const override;
  std::unique_ptr<SpecialPage> clone() const override { return std::make_unique<ExceptionPage>(*this); }

  // A range the list can hold: pages count from 1 and the end is not before the start.
  bool isValidRange() const { return startPage() >= 1 && endPage_ >= startPage(); }

  std::int32_t endPage() const { return endPage_; }
  void setEndPage(std::int32_t page) { endPage_ = page; }
  std::int32_t plex() const { return plex_; }
  void setPlex(std::int32_t plex) { plex_ = plex; }
  ImageShiftOptions& imageShift() { return imageShift_; }
  const ImageShiftOptions& imageShift() const { return imageShift_; }
  FullColorOptions& colorOptions() { return colorOptions_; }
  const FullColorOptions& colorOptions() const { return colorOptions_; }
  std::int32_t antialiasing() const { return antialiasing_; }
  void setAntialiasing(std::int32_t value) { antialiasing_ = value; }
  std::int32_t outputColor() const { return outputColor_; }
  void setOutputColor(std::int32_t value) { outputColor_ = value; }
  std::int32_t halftoneScreen() const { return halftoneScreen_; }
  void setHalftoneScreen(std::int32_t value) { halftoneScreen_ = value; }
  std::int32_t lightenDarken() const { return lightenDarken_; }
  void setLightenDarken(std::int32_t value) { lightenDarken_ = value; }

 private:
  std::int32_t endPage_ = 0;
  std::int32_t plex_ = kPrinterDefault;
  ImageShiftOptions imageShift_;
  FullColorOptions colorOptions_;
  std::int32_t antialiasing_ = kPrinterDefault;
  std::int32_t outputColor_ = kPrinterDefault;
  std::int32_t halftoneScreen_ = kPrinterDefault;
  std::int32_t lightenDarken_ = kPrinterDefault;
};

// An exception range from a ticket dictionary, or null when the range is not one the list can
// hold (a start below 1, or an end before the start).
std::unique_ptr<ExceptionPage> ExceptionPageFromTicket(const platform::PlistDict& dictionary);
