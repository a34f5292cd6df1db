// The printer-description main keywords whose choices the ticket keeps as integers, each with
// the keyword map for its choices. One keyword map serves several main keywords where their
// choices are the same (the trays, the media types).
#include "vocabulary/keyword_maps.h"

const MainKeywordMapRow MainKeywordMap[] = {
    {"JCLBanner", BannerPageMap},
    {"KVOGrayline", KVOGrayLineMap},
    {"Jog", RequestOffsetMap},
    {"JCLTrueGrayGraphics", JCLTrueGrayGraphicsMap},
    {"JCLTrueGrayImages", JCLTrueGrayImagesMap},
    {"KVImageQuality", LightenDarkenMap},
    {"MediaColor", MediaColorMap},
    {"MediaType", MediaTypeMap},
    {"Duplex", PPDDuplexMap},
    {"JCLPrintQuality", JCLPrintQualityMap},
    {"JCLRGBColorSpace", KVRGBColorSpaceMap},
    {"JCLCMYKColorSpace", KVCMYKColorSpaceMap},
    {"JCLColorCorrection", JCLColorCorrectionMap},
    {"PageSize", PageSizeMap},
    {"OutputBin", OutputBinMap},
    {"KVFold", KVFoldMap},
    {"KVPunch", KVPunchMap},
    {"StapleLocation", KVStapleMap},
    {"KVEconomode", DraftModeMap},
    {"KVOutputOption", PPDOutputOptionMap},
    {"Resolution", PPDResolutionMap},
    {"KVColorMode", ColorModeMap},
    {"InputSlot", InputSlotMap},
    {"KVFeedEdge", FeedEdgeMap},
    {"KVFrontCoverSheet", InputSlotMap},
    {"KVBackCoverSheet", InputSlotMap},
    {"KVSlipSheetPrint", SlipSheetMap},
    {"KVSlipSheetSource", InputSlotMap},
    {"KVSlipSheetType", MediaTypeMap},
    {nullptr, nullptr},
};
