/* Buttons of Color page layouts of the product family that template 111
 * does not carry: the page's procedure serves them all the same. Pure
 * #defines, for resource scripts and C++ alike. */
#pragma once

#define IDC_OFFICE_DETAILS              1610
#define IDC_SPECIAL_TONER               4031
