// Filled in with its dialog.
#pragma once
