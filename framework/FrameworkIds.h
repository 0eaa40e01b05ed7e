/* Command IDs the framework defines. Plain #defines, so that resource
   scripts can include this file too. */
#pragma once

#define ID_HELP 0xE146
