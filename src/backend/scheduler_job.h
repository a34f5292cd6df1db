#pragma once
// The job a backend prints, as the scheduler holds it: cupsd keeps every attribute the job came
// with, but hands a backend only a few of them as options, so the backend asks for the rest.
#include <string>

#include "platform/ipp_handles.h"
#include "platform/status.h"

// Get-Job-Attributes for the job with jobId on the scheduler libcups finds (cupsd gives its
// backends CUPS_SERVER): noErr with the reply's job attributes; or a failure status with the
// reason in error.
platform::OSStatus ReadSchedulerJob(int jobId, platform::IppMessagePtr* job, std::string* error);

// The "-default" attributes of the queue named queue on the same scheduler: cupsd gives each job
// the queue's defaults of what the job does not say (print-color-mode, finishings, sides), and
// those are no choice of the user's. Null when the scheduler cannot say.
platform::IppMessagePtr ReadQueueDefaults(const std::string& queue);

// The job attributes of a scheduler's job that a printer is to receive: the Job Template and
// production attributes a client may set, never what the scheduler itself keeps about the job
// (its id, state, times, the user's host) nor what it acts on itself (holding, banners), nor an
// attribute that only repeats the queue's default (queueDefaults may be null), which leaves the
// printer's own default and the job's printer-description options to decide.
platform::IppMessagePtr IppJobTemplateOfSchedulerJob(ipp_t* job, ipp_t* queueDefaults);
