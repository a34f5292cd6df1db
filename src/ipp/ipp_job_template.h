#pragma once
// The job's settings as registered IPP Job Template attributes (finishings, production printing,
// page overrides, saved jobs), built with libcups from the job-ticket writer's records. One
// function per family adds its attributes to the job group of a request; a setting that holds
// the printer default, or an empty collection, adds nothing, so the printer's own default holds.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "jobticket/writer/jtkt_writer.h"
#include "platform/cups_library.h"
#include "platform/ipp_handles.h"
#include "platform/plist/plist_value.h"

// IPP bounds a name at 255 octets and a text at 1023.
inline constexpr std::size_t kIppNameOctets = 255;
inline constexpr std::size_t kIppTextOctets = 1023;

// A name or text cut to its bound, never inside a character.
std::string IppName(std::string_view name);
std::string IppText(std::string_view text);

// A media-col collection of the media record, or null when the record says nothing IPP has a
// member for (the paper is then left to the printer).
platform::IppMessagePtr NewIppMediaCol(const _MEDIADATA& media);

// Each family, from the print-settings ticket (null adds nothing).
void AddIppJobMedia(ipp_t* request, const platform::PlistDict* ticket);          // media-col of the job stock
void AddIppFinishings(ipp_t* request, const platform::PlistDict* ticket);        // finishings, -col, slip sheets, subsets, delivery
void AddIppCovers(ipp_t* request, const platform::PlistDict* ticket);            // cover-front, cover-back
void AddIppInserts(ipp_t* request, const platform::PlistDict* ticket);           // insert-sheet
void AddIppOverrides(ipp_t* request, const platform::PlistDict* ticket);         // overrides
void AddIppImageShift(ipp_t* request, const platform::PlistDict* ticket);        // x/y-side1/2-image-shift
void AddIppJobNotes(ipp_t* request, const platform::PlistDict* ticket);          // accounting, messages, recipient
void AddIppJobDisposition(ipp_t* request, const platform::PlistDict* ticket);    // hold, saved job
void AddIppPageRange(ipp_t* request, const platform::PlistDict* ticket);         // page-ranges

// The finishings enum values of a finishing record, in the record's order (staple, fold, punch);
// codes with no registered value give none. Exposed for its table test.
std::vector<int> IppFinishingsValues(const JTktFinishing& record);

// The four image shifts of an image-shift dictionary, hundredths of a millimetre, into col's
// group; a zero shift, or one IPP's integer cannot hold, is left out.
void AddIppImageShiftMembers(ipp_t* col, ipp_tag_t group, const platform::PlistDict* dictionary);

// Every family above, in that order.
void AddIppJobTemplate(ipp_t* request, const platform::PlistDict* ticket);

// None when IPP can carry every setting of the ticket; else why the job is refused before
// anything is sent or written: a saved job's location longer than IPP's URIs, which cutting would
// send somewhere else.
std::optional<std::string> IppJobTemplateRefusal(const platform::PlistDict* ticket);
