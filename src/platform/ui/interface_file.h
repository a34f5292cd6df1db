#pragma once
// Interface descriptions: the windows and controls of a panel or dialog, kept as XML files in
// the bundle's resources ("<Resources>/<name>.interface.xml"). The format:
//
//   <interface>
//     <window name="Window" title="..." width="540" height="491">
//       <control kind="popup" signature="Kshl" id="2" x="10" y="8" width="200" height="20"
//                title="..." title-key="..." value="1" minimum="0" maximum="3" text="..."
//                visible="false" enabled="false" command="CLOS" picture="Icon.png"
//                default="true" cancel="true" locked="true" password="true" name="Finishing"
//                help-tag="..." help-tag-key="...">
//         <menu>
//           <item text="..." text-key="..." command="ABCD" ref="3" checked="true"
//                 enabled="false"/>
//           <item separator="true"/>
//           <item text="More"><menu>...</menu></item>
//         </menu>
//         <column property="1" title="Name" width="120"/>   (data browsers)
//         <control .../>                                    (embedded controls)
//       </control>
//     </window>
//   </interface>
//
// kind is one of ControlKindName's names; signature and command are four characters; x and y
// are relative to the enclosing control; name is what a person or a script knows the control by
// (see Control::findNamed). title-key and text-key are looked up in the bundle's
// "Localizable" table, as help-tag-key is (help-tag: the text shown while the pointer rests on
// the control). No DTD, no entities: a description that declares any is refused.
#include <memory>
#include <string>
#include <string_view>

#include "platform/bundle/bundle.h"
#include "platform/result.h"
#include "platform/ui/window.h"

namespace platform::ui {

// The window `windowName` of the description `name` in the bundle's resources. On failure one
// line beginning "!!" names the file and the element on stderr, and the result says why.
Result<std::unique_ptr<Window>> CreateWindowFromInterface(const Bundle& bundle, std::string_view name,
                                                          std::string_view windowName);
// The same from description text; fileLabel names it in messages; bundle (may be null) gives the
// localised texts of title-key and text-key.
Result<std::unique_ptr<Window>> CreateWindowFromInterfaceText(std::string_view xml, std::string_view fileLabel,
                                                              std::string_view windowName, const Bundle* bundle);

}  // namespace platform::ui
