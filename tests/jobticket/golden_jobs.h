#pragma once
// The jobs behind the writer's golden documents: plain_job.xml, special_pages_job.xml,
// booklet.xml and color_job.xml.
#include "platform/plist/plist_value.h"
#include "platform/ticket/ticket.h"

namespace jtkt_test {

platform::Ticket GoldenPlainJob();
platform::PlistDict GoldenSpecialPagesJob();
platform::PlistDict GoldenBookletJob();
platform::PlistDict GoldenColorJob();

}  // namespace jtkt_test
