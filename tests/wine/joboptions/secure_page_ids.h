/* The test programs' own Job Options page layout: template 113's controls
 * with the secure-print and finishing controls that only other layouts of
 * the product family carry. */
#pragma once

#define IDD_TEST_SECURE_JOB_OPTIONS     5113
#define IDC_TEST_JOB_TYPE_GROUP         5000
#define IDC_TEST_FINISHING_GROUP        5001
