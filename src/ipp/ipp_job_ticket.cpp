// The job ticket as pieces of text, and back.
#include "ipp/ipp_job_ticket.h"

#include <vector>

#include "ipp/ipp_job_template.h"

namespace {

// The length of the longest start of text within limit octets that ends between characters.
std::size_t PieceLength(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  std::size_t length = limit;
  while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  return length > 0 ? length : limit;
}

}  // namespace

void AddIppJobTicket(ipp_t* job, std::string_view document) {
  if (job == nullptr || document.empty()) return;
  std::vector<std::string> pieces;
  while (!document.empty()) {
    const std::size_t length = PieceLength(document, kIppTextOctets);
    pieces.emplace_back(document.substr(0, length));
    document.remove_prefix(length);
  }
  std::vector<const char*> values;
  for (const std::string& piece : pieces) values.push_back(piece.c_str());
  ippAddStrings(job, IPP_TAG_JOB, IPP_TAG_TEXT, kIppJobTicketAttribute, static_cast<int>(values.size()), nullptr,
                values.data());
}

std::string IppJobTicket(ipp_t* job) {
  std::string document;
  ipp_attribute_t* attribute = job == nullptr ? nullptr : ippFindAttribute(job, kIppJobTicketAttribute, IPP_TAG_ZERO);
  for (int i = 0; attribute != nullptr && i < ippGetCount(attribute); ++i)
    if (const char* piece = ippGetString(attribute, i, nullptr)) document += piece;
  return document;
}
