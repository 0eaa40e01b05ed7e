/* The dialog template of the framework's modal tests. */
#pragma once

#define IDD_TEST_MODAL 301
#define IDC_TEST_MODAL_EDIT 100
