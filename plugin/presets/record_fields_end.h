// Ends a pass over a declaration file (see presets/record_table.h). No include guard.
#undef FIELD
#undef FIELD_LAST
#undef FIELD_BY_MODE
#undef PAIR
#undef WORK
#ifdef VX_FIELD_ROW
#undef VX_FIELD_ROW
#endif
