// The halftone screen: one keyword for graphics, images and text alike.
#include <string_view>

#include "jobticket/writer/jtkt_color.h"
#include "jobticket/writer/jtkt_fragment.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "platform/status.h"

namespace {

struct HalftoneRow {
  std::int32_t value;
  std::string_view keyword;
};

// Stored values of the halftone menus; 0, 48 to 50 and 52 upwards have no screen.
constexpr HalftoneRow kHalftones[] = {
    {1, "85-lpi"},           {16, "85-lpi"},         {2, "106-lpi"},         {17, "106-lpi"},
    {3, "125-lpi"},          {30, "125-lpi"},        {4, "134-lpi"},         {5, "156-lpi"},
    {31, "156-lpi"},         {6, "200-dpi"},         {7, "150-dpi"},         {8, "200-lpi"},
    {9, "300-lpi"},          {10, "600-lpi"},        {11, "300-dpi"},        {12, "600-dpi"},
    {13, "175-dpi"},         {14, "stochastic"},     {15, "53-lpi"},         {18, "71-lpi"},
    {19, "85-lpi-enhanced"}, {20, "106-lpi-enhanced"}, {21, "120-lpi"},      {22, "141-lpi"},
    {23, "56-lpi"},          {24, "60-lpi"},         {25, "107-lpi-normal"}, {26, "107-lpi-light"},
    {27, "107-lpi-dark"},    {28, "151-lpi"},        {29, "42-lpi"},         {32, "54-lpi"},
    {33, "85-lpi-normal"},   {34, "85-lpi-light"},   {35, "85-lpi-dark"},    {36, "106-lpi-normal"},
    {37, "106-lpi-light"},   {38, "106-lpi-dark"},   {39, "120-lpi-normal"}, {40, "120-lpi-light"},
    {41, "120-lpi-dark"},    {42, "125-lpi-normal"}, {43, "125-lpi-light"},  {44, "125-lpi-dark"},
    {45, "134-lpi-normal"},  {46, "134-lpi-light"},  {47, "134-lpi-dark"},   {51, "150-lpi"},
};

constexpr std::string_view kElements[] = {"halftone-graphics", "halftone-images", "halftone-text"};

}  // namespace

int WriteJTktHalfTone(const JTktWriteContext* ctx, std::int32_t value) {
  if (!JTktCanWrite(ctx)) return platform::paramErr;
  JTktFragment fragment;
  for (const HalftoneRow& row : kHalftones) {
    if (row.value != value) continue;
    for (std::string_view element : kElements)
      fragment.text("\t\t<").text(element).text(" syntax=\"keyword\">").text(row.keyword)
          .text("</").text(element).text(">\n");
  }
  fragment.writeTo(*ctx);
  return platform::noErr;
}

void WriteJTKTHalftone(const JTktWriter& writer, const platform::PlistDict* ticket) {
  if (!JTktHas(ticket, kHalftoneScreenKey)) return;
  // A value that is not a number asks for 0, which has no screen; the printer default is sent as
  // nothing at all, before the table is asked.
  WriteJTktHalfTone(&writer.context, JTktSetting(ticket, kHalftoneScreenKey).value_or(0));
}
