#pragma once
// The job-ticket (JTKT) writer, as other subsystems call it.
//
// Two layers: emitters (WriteJTkt...) know the XML text and nothing of the ticket; each takes a
// writer context and plain values or a filled record and writes complete fragments through the
// context. Ticket writers (WriteJTKT...) read a print-settings dictionary, convert its values
// (directly or through the Fill... routines into records) and call the emitters through the
// document's writer object (JTktWriter), which WriteJTKT makes for one document and hands to
// each ticket writer in document order; JTKTExportTicketToFile writes a ticket's document to a
// file (the dialog's export, in the shell, syncs the panels first).
//
// Every text from the ticket is escaped by the emitters, so whatever a ticket holds, the
// document is well-formed XML. The output depends on the ticket alone: no clock, no random
// identifier and no locale enters it.
#include "jobticket/writer/jtkt_color.h"
#include "jobticket/writer/jtkt_commands.h"
#include "jobticket/writer/jtkt_context.h"
#include "jobticket/writer/jtkt_driver.h"
#include "jobticket/writer/jtkt_escape.h"
#include "jobticket/writer/jtkt_export.h"
#include "jobticket/writer/jtkt_finishing.h"
#include "jobticket/writer/jtkt_frame.h"
#include "jobticket/writer/jtkt_image_shift.h"
#include "jobticket/writer/jtkt_job_attributes.h"
#include "jobticket/writer/jtkt_media.h"
#include "jobticket/writer/jtkt_options.h"
#include "jobticket/writer/jtkt_special_pages.h"
#include "jobticket/writer/jtkt_ticket_read.h"
