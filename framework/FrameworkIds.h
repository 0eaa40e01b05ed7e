/* Command and string IDs the framework defines. Plain #defines, so that resource
   scripts can include this file too. */
#pragma once

#define ID_HELP 0xE146

/* Strings the framework shows, which the program's string table supplies. */
#define IDS_INTERNAL_FAILURE 0xF100 /* the report of a failure the barrier caught */
