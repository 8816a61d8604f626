#pragma once

// MarkdownDocument lives with the file code now; this name stays for code not moved yet.
#include "files/MarkdownDocument.h"
