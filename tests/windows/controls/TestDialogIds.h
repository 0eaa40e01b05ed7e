/* Dialog templates of the controls' tests. */
#pragma once

#define IDD_TEST_TOP_LEVEL 201
#define IDD_TEST_CHILD 202
#define IDC_TEST_EDIT 1001
#define IDC_TEST_BUTTON 1002
