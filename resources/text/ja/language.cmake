# Japanese: the programs' texts and the product's are Shift-JIS, and the code shows them through it.
set(ORVANTA_TEXT_CODE_PAGE 932)
