#pragma once
// The worker task's side of the printer stock library: its entry point and message handler.
// It knows the main thread only by the name of its port, and holds no window and no shared data.
#include <stop_token>
#include <string>

// Runs on the worker: makes the worker's port, announces it to the main thread's port (100), and
// handles messages one at a time until told to end (201) or asked to stop.
void ServerThreadEntryPoint(const std::string& mainPortName, std::stop_token stop);
