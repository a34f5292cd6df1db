#pragma once
// The session of every setting korvo-pde sends as IPP job attributes (tests/data/host/
// ipp_full_session.py) and the job template attributes it becomes, as a printer that keeps them
// all lists them.
#include <string>
#include <vector>

#include "support/test_support.h"

namespace host_test {

// Fills session with those settings, then runs each data script named on it; output in *out.
inline int FillFullSession(const std::string& session, std::string* out, const std::vector<std::string>& then = {}) {
  std::string line = "python3 " + korvo_test::DataPath("host/ipp_full_session.py") + " " + session;
  for (const std::string& script : then) line += " && python3 " + korvo_test::DataPath(script) + " " + session;
  return korvo_test::RunCommand(line, out, true);
}

inline constexpr const char* kFullJobAttributes[] = {
    "media-col (collection) = {media-size={x-dimension=21000 y-dimension=29700} media-type=stationery "
    "media-color=green media-weight-metric=90 media-front-coating=glossy media-back-coating=glossy "
    "media-tooth=fine media-grain=y-direction media-info=Bright \\\"white\\\" {FSC}\nline two}",
    "cover-front (collection) = {cover-type=print-front media-col={media-size={x-dimension=21000 "
    "y-dimension=29700} media-weight-metric=250}}",
    "cover-back (collection) = {cover-type=print-none media-col={media-size={x-dimension=21000 y-dimension=29700}}}",
    "insert-sheet (collection) = {insert-after-page-number=2 insert-count=1 media-col={media-size={x-dimension=21000 "
    "y-dimension=29700} media-color=yellow}}",
    "overrides (collection) = {pages=2-3 sides=one-sided media-col={media-size={x-dimension=21000 y-dimension=29700}}}",
    "finishings (1setOf enum) = staple-top-left,punch-dual-left",
    "separator-sheets (collection) = {separator-sheets-type=slip-sheets}",
    "page-delivery (keyword) = same-order-face-down",
    "x-side1-image-shift (integer) = 200",
    "y-side1-image-shift (integer) = -100",
    "y-side2-image-shift (integer) = 50",
    "job-accounting-user-id (nameWithoutLanguage) = u1",
    "job-account-id (nameWithoutLanguage) = acct-9",
    "job-message-to-operator (textWithoutLanguage) = Say \\\"hi\\\", {now}\n$HOME \\\\ ok",
    "job-sheet-message (textWithoutLanguage) = Banner {1}",
    "job-recipient-name (nameWithoutLanguage) = Ann",
    "job-save-disposition (collection) = {save-disposition=print-save save-info={save-location=file:///job-repository/ "
    "save-name=Kept save-document-format=application/pdf}}",
};

}  // namespace host_test
