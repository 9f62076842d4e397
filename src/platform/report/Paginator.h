#pragma once
// Where the next band goes: the vertical position on the current page, in millimetres, between the top
// of the page's body and its bottom (the room above the carried-forward lines and the page footer,
// reserved on every page since a single pass cannot know which page is the last). It only measures;
// the renderer decides when to turn the page and draws.

namespace report {

class Paginator {
public:
    Paginator(double bodyTop, double bodyBottom) : top_(bodyTop), bottom_(bodyBottom), y_(bodyTop) {}

    bool fits(double height) const { return y_ + height <= bottom_ + 1e-9; }
    double place(double height)
    {
        const double at = y_;
        y_ += height;
        body_ = true;
        return at;
    }
    // A heading placed at the top of a page (page header, brought-forward line, repeated group headers)
    // takes room but is not body: a page holding only headings never turns for a new group.
    double placeHeading(double height)
    {
        const double at = y_;
        y_ += height;
        return at;
    }
    bool hasBody() const { return body_; }
    int page() const { return page_; }

    void nextPage()
    {
        ++page_;
        y_ = top_;
        body_ = false;
    }

private:
    double top_;
    double bottom_;
    double y_;
    bool body_ = false;
    int page_ = 1;
};

} // namespace report
