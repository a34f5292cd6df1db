#pragma once
// The IPP side of a job, as other subsystems call it: the job template and production attributes
// made from the print-settings ticket, the device URI, the PPD options, and sending a job to a
// printer or a queue.
#include "ipp/ipp_device_uri.h"
#include "ipp/ipp_job_template.h"
#include "ipp/ipp_job_ticket.h"
#include "ipp/ipp_ppd_options.h"
#include "ipp/ipp_print_job.h"
#include "ipp/ipp_queue_job.h"
#include "ipp/ipp_test_file.h"
