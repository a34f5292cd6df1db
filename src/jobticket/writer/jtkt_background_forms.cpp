// Background forms: save the job as a form on the printer, or merge it with a form there.
#include "jobticket/writer/jtkt_fragment.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jobticket/writer/jtkt_ticket_read.h"
#include "model/background_forms_keys.h"
#include "model/background_forms_options.h"
#include "model/paper_output_keys.h"
#include "model/platform_keys.h"
#include "platform/status.h"
#include "vocabulary/printer_default.h"

namespace {

using platform::PlistDict;

// Producers that store the offsets already converted say so with this member; the model's own
// dictionary never holds it.
using background_forms_keys::kFullPrecisionKey;
// The controller keeps a form's name, as written, in 255 bytes.
constexpr std::size_t kFormNameBytes = 255;

constexpr std::int32_t kUseDocumentName = 1;

// Offsets in thousandths of a millimetre: hundredths of an inch times 254, tenths of a millimetre
// times 100.
// The printer default is no offset.
std::int64_t FillBGFormsOffset(std::int32_t stored, bool fullPrecision, bool inches) {
  const std::int64_t value = stored == kPrinterDefault ? 0 : stored;
  if (fullPrecision) return value;
  return inches ? value * 254 : value * 100;
}

void Line(const JTktWriteContext& ctx, std::string_view text) { JTktFragment().text(text).writeTo(ctx); }

void NameLine(const JTktWriteContext& ctx, std::string_view start, const std::string& name, std::string_view end) {
  JTktFragment().text(start).escaped(name, kFormNameBytes).text(end).writeTo(ctx);
}

}  // namespace

void FillBGFormsData(_BGFORMSDATA* forms, const PlistDict* dict, const PlistDict* ticket) {
  if (forms == nullptr) return;
  *forms = _BGFORMSDATA{};
  if (dict == nullptr) return;
  const BackgroundFormsOptions options(*dict);
  std::int32_t useDocumentName = 0, cycle = 0, inches = 1, x = 0, y = 0;
  options.useDocumentName(&useDocumentName);
  if (useDocumentName == kUseDocumentName) {
    if (const std::string* jobName = JTktString(ticket, kPMJobNameKey)) forms->newFormName = *jobName;
  } else {
    options.newFormString(&forms->newFormName);
  }
  options.mergeWithString(&forms->existingFormName);
  options.cyclePages(&cycle);
  forms->cycleStart = cycle;
  options.inches(&inches);
  options.xOffset(&x);
  options.yOffset(&y);
  const bool fullPrecision = JTktBoolean(dict, kFullPrecisionKey).value_or(false);
  forms->xShift = FillBGFormsOffset(x, fullPrecision, inches == 1);
  forms->yShift = FillBGFormsOffset(y, fullPrecision, inches == 1);
}

void FinalizeBGFormsTypeData(_BGFORMSDATA* forms) {
  if (forms == nullptr) return;
  forms->newFormName.reset();
  forms->existingFormName.reset();
}

int WriteJTktBackgroundForms(const JTktWriteContext* ctx, const _BGFORMSDATA* forms) {
  if (!JTktCanWrite(ctx) || forms == nullptr) return platform::paramErr;
  if (forms->newFormName) {
    Line(*ctx, "\t\t<form-save syntax=\"collection\">\n");
    Line(*ctx, "\t\t\t<form-save-disposition syntax=\"keyword\">save-only</form-save-disposition>\n");
    Line(*ctx, "\t\t\t<form-save-info syntax=\"1setOf\">\n");
    Line(*ctx, "\t\t\t\t<value syntax=\"collection\">\n");
    Line(*ctx, "\t\t\t\t\t<form-save-location syntax=\"uri\">file:///form-repository/</form-save-location>\n");
    NameLine(*ctx, "\t\t\t\t\t<form-save-name syntax=\"name\" xml:space=\"preserve\">", *forms->newFormName,
             "</form-save-name>\n");
    Line(*ctx, "\t\t\t\t\t<form-save-format syntax=\"mimeMediaType\">application/X-single-page-tiff</form-save-format>\n");
    Line(*ctx, "\t\t\t\t</value>\n");
    Line(*ctx, "\t\t\t</form-save-info>\n");
    Line(*ctx, "\t\t</form-save>\n");
  }
  if (forms->existingFormName) {
    Line(*ctx, "\t\t<forms-col syntax=\"1setOf\">\n");
    Line(*ctx, "\t\t\t<value syntax=\"collection\">\n");
    NameLine(*ctx, "\t\t\t\t<form-name syntax=\"name\" xml:space=\"preserve\">", *forms->existingFormName,
             "</form-name>\n");
    JTktFragment().text("\t\t\t\t<form-cycle-start syntax=\"integer\">").integer(forms->cycleStart)
        .text("</form-cycle-start>\n").writeTo(*ctx);
    JTktFragment().text("\t\t\t\t<forms-x-image-shift syntax=\"integer\">").integer(forms->xShift)
        .text("</forms-x-image-shift>\n").writeTo(*ctx);
    JTktFragment().text("\t\t\t\t<forms-y-image-shift syntax=\"integer\">").integer(forms->yShift)
        .text("</forms-y-image-shift>\n").writeTo(*ctx);
    Line(*ctx, "\t\t\t</value>\n");
    Line(*ctx, "\t\t</forms-col>\n");
  }
  return platform::noErr;
}

void WriteJTKTBackgroundForms(const JTktWriter& writer, const PlistDict* ticket) {
  JTktDebug(&writer.context, "DEBUG: ******* WriteJTKTBackgroundForms\n");
  if (ticket == nullptr) return;
  JTktDebug(&writer.context, "DEBUG: ******* WriteJTKTBackgroundForms: valid ticket\n");
  const PlistDict* dict = JTktDictionary(ticket, kBackgroundFormsOptionsKey);
  if (dict == nullptr) return;
  JTktDebug(&writer.context, "DEBUG: ******* WriteJTKTBackgroundForms: valid bg options ticket\n");
  const PlistDict* jobType = JTktDictionary(ticket, kJobTypeKey);
  const std::int32_t storedJobType = JTktSetting(jobType, kJobTypeJobTypeKey).value_or(0);
  if (jobType != nullptr) JTktDebug(&writer.context, "DEBUG: ******** jobType = %ld\n", static_cast<long>(storedJobType));
  _BGFORMSDATA forms;
  FillBGFormsData(&forms, dict, ticket);
  // Forms options outlive a change of job type in the dialog: only a forms job saves itself as a
  // form, but any job may be printed over a form it chose to merge with.
  if (storedJobType != kJobTypeBackgroundForm) {
    forms.newFormName.reset();
    const bool merges = JTktSetting(dict, background_forms_keys::kUseExistingFormKey) ==
                        background_forms_keys::kMergeWithExistingForm;
    if (!merges || (forms.existingFormName && forms.existingFormName->empty())) forms.existingFormName.reset();
    if (!forms.existingFormName) return;
  }
  WriteJTktBackgroundForms(&writer.context, &forms);
}
