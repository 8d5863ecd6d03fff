#pragma once

// Resource ids the framework looks for in every program. Plain defines only: windres reads
// this file too.

// The application title, if the program has one.
#define IDS_APP_TITLE 57344
