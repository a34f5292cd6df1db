#pragma once
// An opened printer description (PPD file). The record itself is libcups'; only the PPD adapter
// looks inside it, so this header needs none of libcups' declarations.
#include <memory>
#include <string>

struct ppd_file_s;

class PPDFile {
 public:
  // The description at path; null when the file is missing, unreadable, not a regular file, larger
  // than platform::kMaxPrinterDescriptionBytes or not a PPD.
  static std::unique_ptr<PPDFile> open(const std::string& path);
  // The description read from the descriptor, which is closed when done; null when not a PPD.
  static std::unique_ptr<PPDFile> openDescriptor(int fd);

  PPDFile(const PPDFile&) = delete;
  PPDFile& operator=(const PPDFile&) = delete;

  // libcups' record, for the adapter.
  ppd_file_s* record() const { return record_.get(); }

 private:
  struct Closer {
    void operator()(ppd_file_s* record) const;
  };
  explicit PPDFile(ppd_file_s* record) : record_(record) {}
  std::unique_ptr<ppd_file_s, Closer> record_;
};
